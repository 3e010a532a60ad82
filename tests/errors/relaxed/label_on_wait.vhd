-- a label reads before if, case and loop only: a labelled wait stays
-- rejected, at the wait
architecture a of e is
begin
  process
  begin
    w1 : wait;
  end process;
end a;
