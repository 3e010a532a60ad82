-- an inserted token is named with its own text at the position of the
-- token it was inserted before: no assert in a package declaration
package p is
  constant c : integer := 1;
      report "x";
end p;
