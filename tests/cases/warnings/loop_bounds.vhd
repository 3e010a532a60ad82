-- A for loop over a range without explicit bounds takes those of the last
-- explicit range, or none: flagged; a loop over its own bounds, also as a
-- subtype with a range, is not.
p : process
begin
  for i in v'range loop
    null;
  end loop;
  for i in 0 to 3 loop
    null;
  end loop;
  for i in integer range 7 downto 0 loop
    null;
  end loop;
  for i in byte loop
    null;
  end loop;
end process;
