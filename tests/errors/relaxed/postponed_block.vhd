-- postponed reads before a process, an assertion, a signal assignment and
-- a procedure call; before a block it stays rejected, at the block
architecture a of e is
begin
  b1 : postponed block begin end block;
end a;
