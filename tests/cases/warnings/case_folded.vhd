-- Upper case in a string or a character literal is written in lower case:
-- another file name, another character.  Beside them, literals in lower
-- case, upper case in names and in comments ("Not A String"), and a
-- doubled mark inside a string.
entity CaseTest is end;
architecture A of CaseTest is
begin
P : process
  variable S : string(1 to 11);
  variable C : character;
begin
  S := "Data/In.TXT";
  S := "data/in.txt";
  S := "say ""Hi""";
  C := 'A';
  C := 'a';
  C := c'high; -- 'B' "Not A String"
  wait;
end process;
end;
