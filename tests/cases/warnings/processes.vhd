-- Processes take the ports of the entity translated last, and every
-- unlabelled one is named process_A: flagged when the architecture names
-- another entity, or one not in the file, and for the second unlabelled
-- process; labelled processes of the last entity are not.
entity first is
  port (a : in bit);
end first;
entity second is
  port (b : in bit);
end second;
architecture one of first is
begin
  p1 : process begin wait; end process;
end one;
architecture two of second is
begin
  process begin wait; end process;
  p2 : process begin wait; end process;
  process begin wait; end process;
end two;
architecture three of third is
begin
  p3 : process begin wait; end process;
end three;
