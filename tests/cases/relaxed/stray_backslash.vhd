-- a backslash that begins no extended identifier (none closes it on its
-- line, or a tab comes first) is skipped, and the rest of its line is read
-- folded as any other text; the longest extended identifier is read
architecture a of e is
begin
  X <= \ Y;
  Z <= \A\\ OR B;
  W <= \	C OR D\;
end a;
