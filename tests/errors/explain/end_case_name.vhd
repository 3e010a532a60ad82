architecture a of e is
begin
  process
  begin
    case s is
      when others => null;
    end case decode;
  end process;
end;
