-- with --explain the later grammar warns as the default one does: a
-- postponed process is named by its word process
architecture a of e is
begin
  postponed process
  begin
    wait;
  end process;
  p : postponed process
  begin
    wait;
  end postponed process;
  process is
  begin
    wait;
  end process;
end a;
