process
begin
  null;
end process;
signal s : bit;
type state is (idle, busy);
function f (x : integer) return integer is
begin
  return x;
end f;
lbl : process
  variable v : integer;
begin
  v := 1;
end process lbl;
