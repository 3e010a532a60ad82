architecture rtl of e is
begin
end architecture rtl;
