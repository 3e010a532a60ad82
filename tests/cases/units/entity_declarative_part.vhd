entity e is
  generic (n : integer := 2);
  port (a : in bit; y : out bit);
  function inv (x : bit) return bit is
  begin
    return not x;
  end inv;
  constant k : integer := 3;
begin
  assert a = a;
end e;
architecture rtl of e is
begin
  process (a) begin y <= a; end process;
end rtl;
