-- a report statement reads as assert false report: after begin, ;, then,
-- else, loop and =>; a report after anything else stays
architecture a of e is
begin
  process (x)
  begin
    report "first";
    report "second" severity warning;
    if x = '1' then report "then"; else report "else"; end if;
    for i in 0 to 3 loop report "loop"; end loop;
    case x is
      when '0' => report "choice";
      when others => null;
    end case;
    assert x = '1' report "kept" severity note;
  end process;
end a;
