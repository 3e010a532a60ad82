function inc (x : integer) return integer is begin return x + 1; end inc;
procedure swap (variable a, b : inout integer) is variable t : integer; begin t := a; a := b; b := t; end swap;
package p is
  function f return integer;
  procedure q (a, b : in bit; n : integer := 4);
  function "AND" (l, r : bit) return Boolean;
  function cnt (v : bit_vector) return natural;
  function h return std.standard.integer;
end p;
package body p is
  function f return integer is
  begin
    return 1;
  end f;
  procedure q (a, b : in bit; n : integer := 4) is
  begin
    null;
  end q;
  procedure r is begin null; end r;
  function g (real : integer) return integer is
  begin
    return real + 1;
  end g;
  function "AND" (l, r : bit) return Boolean is
  begin
    return l = r;
  end "AND";
end p;
