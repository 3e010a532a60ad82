begin
end;
