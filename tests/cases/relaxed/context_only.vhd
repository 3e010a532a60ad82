-- a file of context declarations alone translates to nothing but its line
-- end
context c is
  library ieee;
  use ieee.std_logic_1164.all;
end context c;
context d is
  context work.c;
end d;
