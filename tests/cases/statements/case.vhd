-- Case alternatives share one switch; a choice list keeps its bars, a
-- range choice becomes its element count and others stays others.
cases : process
begin
  case s is when 0 => x := 1; when 1 | 2 => x := 2; when others => null; end case;
  case n is
    when 0 to 3 => x := 1;
    when 4 | 5 | 6 => x := 2;
    when 7 ! 8 => x := 3;
    when 9 =>
    when others => x := 0; y := 1;
  end case;
  case a & b is
    when "00" =>
      case c is
        when '1' => x := 1;
        when others =>
      end case;
    when others => x := 4;
  end case;
end process;
