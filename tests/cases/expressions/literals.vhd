-- Literals: numbers and strings as written (in lower case), bit strings
-- as decimal values, the boolean literals as 1 and 0.
lits : process
begin
  n := 16#FF# + 2#1010_0101# + 1_000 + 2.5E3;
  n := X"FF" + B"1010_0101" + O"17" + x"9a";
  c := 'A';
  s := "Hello World";
  s := "say ""hi""";
  t := 10 ns;
  flag := true;
  flag := TRUE and not False;
  p := null;
end process;
