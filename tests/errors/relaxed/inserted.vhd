-- no report statement in a package declaration: the parser stops at
-- report, at its own position
package p is
  constant c : integer := 1;
      report "x";
end p;
