-- Statements whose C text means something else; beside each, a form that
-- needs no warning.
entity st is
  port (clk, c : in std_logic; q : out std_logic);
end st;
architecture a of st is
begin
  p : process
    variable n : integer;
  begin
    n := 0;
    wait until clk = '1';
    wait on clk;
    q <= '1', '0' after 10 ns, '1' after 20 ns;
    q <= '1' after 5 ns;
    loop
      exit;
      next;
      exit when c = '1';
      next when c = '0';
    end loop;
    case n is
      when 1 | 2 => q <= '0';
      when 3 => q <= '1';
      when others => null;
    end case;
  end process;
end a;
