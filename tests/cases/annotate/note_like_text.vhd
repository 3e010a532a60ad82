-- Text of the design that reads like a note of --annotate (here inside
-- string literals) is the design's own: it stays where it stands.
entity e is
  generic (g : string := "a /* vhdl87c[ */ b");
end e;
architecture a of e is
  constant c : integer := 007;
  procedure p (s : in string := "x /* vhdl87c[ note */ y") is
  begin
  end p;
begin
end a;
