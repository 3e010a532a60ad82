-- the input ends inside a process list: nothing changed
architecture a of e is
begin
  process (a, (b