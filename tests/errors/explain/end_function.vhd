package p is
  function f (a : integer) return integer;
end;
package body p is
  function f (a : integer) return integer is
  begin
    return a;
  end function;
end;
