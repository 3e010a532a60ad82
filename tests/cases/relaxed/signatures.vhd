-- aliases of subprograms with their signatures, and signatures in an
-- attribute specification; an alias without one
package p is
  alias encode_integer is encode[integer return string];
  alias set is set_string [dict_t, string, string];
  alias rmin is ieee.math_real.realmin[real, real return real];
  alias f0 is g[];
  alias f1 is g [return boolean];
  alias b is x.y;
  attribute foo of f [integer return bit], g [bit] : function is 1;
end package;
