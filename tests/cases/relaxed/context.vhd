-- context references and declarations leave no text: a declaration before,
-- between and after the other units, references beside library and use
-- clauses, a declaration holding a reference
context base is
  library ieee;
  use ieee.std_logic_1164.all;
end context base;
library ieee;
context work.base;
use ieee.numeric_std.all;
context work.base, work.more;
entity e is
  port (d : in bit; q : out bit);
end e;
context more is
  library osvvm;
  context osvvm.osvvmcontext;
  use work.base.all;
end;
context work.more;
architecture a of e is
begin
  q <= d;
end a;
context last is
  context work.base;
end context;
context final is
end final;
