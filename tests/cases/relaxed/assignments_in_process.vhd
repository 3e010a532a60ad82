-- conditional and selected assignments in a process: to a variable and to
-- a signal, with and without a final else, with elsif branches, with
-- transport, an aggregate target and several waveform elements
architecture a of e is
begin
  process (clk, s)
    variable v : integer;
  begin
    v := 1 when s = '1' else 0;
    v := 1 when s = '1' else 2 when t = '1' else 3;
    v := 4 when s = '0';
    q <= (others => '0') when reset else d;
    q <= transport a after 1 ns, b after 2 ns when c = '1' else d when e = '1';
    (x, y) <= z when c = '1' else w;
    with s select v := 1 when '0', 2 when '1' | 'z', 3 when others;
    with s select q <= a when '0', b after 1 ns when others;
    with s select q <= transport a when others;
  end process;
end a;
