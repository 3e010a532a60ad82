-- end entity / architecture / configuration / package [body] / function /
-- procedure, with and without the closing name
entity e is
  port (a : in bit);
end entity e;
entity f is
end entity;
architecture rtl of e is
begin
end architecture rtl;
architecture r2 of f is
begin
end architecture;
package p is
  function g (x : integer) return integer;
  procedure h (x : in integer);
end package p;
package body p is
  function g (x : integer) return integer is
  begin
    return x;
  end function g;
  procedure h (x : in integer) is
  begin
    null;
  end procedure;
end package body p;
package q is
end package;
package body q is
  function k return integer is
  begin
    return 1;
  end function;
  procedure m is
  begin
    null;
  end procedure m;
end package body;
configuration c of e is
  for rtl
  end for;
end configuration c;
configuration c2 of f is
  for r2
  end for;
end configuration;
