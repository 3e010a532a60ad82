-- pure or impure before function is dropped; anywhere else it is an
-- identifier, as in VHDL-87
package p is
  pure function f (x : integer) return integer;
  impure function g return integer;
end p;
package body p is
  pure function f (x : integer) return integer is
    variable pure : integer;
  begin
    pure := x;
    return pure;
  end f;
  impure function g return integer is
    variable impure : integer := 0;
  begin
    return impure;
  end g;
end p;
