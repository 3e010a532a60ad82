-- Loop headers.  A for header takes its bounds from the most recent
-- range written with explicit bounds, so a loop over an attribute range
-- or a subtype reuses the bounds written before it (none at the start).
-- Loop labels are dropped; exit and next keep theirs.
loops : process
begin
  for i in v'range loop x := i; end loop;
  for i in 0 to 7 loop s(i) := '0'; end loop;
  for i in 7 downto 0 loop s(i) := '1'; end loop;
  for i in 0 to n - 1 loop s(i) := t(i); end loop;
  for i in -1 to 1 loop x := x + i; end loop;
  L1 : for j in 3 downto 1 loop
    for k in v'range loop
      next L1 when k = j;
      exit;
    end loop;
  end loop L1;
  for i in byte loop x := i; end loop;
  while c loop x := x + 1; end loop;
  loop wait until c; x := 1; end loop;
  outer : loop
    exit outer when done;
    exit when c;
    exit outer;
    next;
    next when c;
  end loop outer;
end process;
ranges : process
  subtype idx is integer range 0 to 15;
begin
  for i in idx loop x := i; end loop;
  for i in v'range loop x := i; end loop;
end process;
