-- A byte above 127 inside a string literal: the string cannot be read, its
-- marks are skipped and its text is read as tokens; the warnings say so.
-- A string of ASCII characters beside it is read as a string.
entity e is end;
architecture a of e is
begin
process
begin
assert false report "5 µs" severity note;
assert false report "5 us" severity note;
wait;
end process;
end;
