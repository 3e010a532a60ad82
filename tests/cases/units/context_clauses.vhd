library ieee; use ieee.std_logic_1164.all; entity e is end e;
LIBRARY Ieee, Work;
USE ieee.std_logic_1164.ALL, work.p.all;
use work.q.c;
package p2 is
  use work.a.all, Work.B.C;
  constant k : natural := 2;
end P2;
