-- extended identifiers: with brackets, with spaces, with a doubled
-- backslash, keeping their case, before an apostrophe; a backslash in a
-- comment, in a string and in a character literal leaves the rest of the
-- line folded -- \ as HERE
architecture a of e is
  signal \mAxisReq[tValid]\ : bit;
  signal \a b\, \Two\\Slash\ : bit;
  constant s : string := "C:\Dir"; constant T : Bit := '\'; signal Q : BIT;
begin
  \mAxisReq[tValid]\ <= \a b\;
  X <= \Two\\Slash\'Event;
  Y <= \bus\(0) when \a b\ = '1' ELSE '0';
end a;
