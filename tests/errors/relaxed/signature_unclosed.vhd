-- a signature without its closing bracket stays rejected, at the
-- semicolon
package p is
  alias f is g [integer return bit;
end package;
