-- a report after a label is no report statement: it stays, and the
-- parser stops at it
architecture a of e is
begin
  l : report "x";
end a;
