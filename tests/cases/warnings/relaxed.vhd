-- Later-edition forms whose C text means something else (--relaxed);
-- beside each, a form that needs no warning.
entity rl is
end entity rl;
architecture a of rl is
  signal v, a, b, c, d : integer;
begin
  p : process
    variable l : line;
  begin
    l := null;
    write(l, v, field => 8, justified => right);
    write(l, v, right, 8);
    a <= v srl 1;
    b <= v sra 1;
    c <= v sla 1;
    d <= v sll 1;
    wait;
  end process;
end architecture a;
