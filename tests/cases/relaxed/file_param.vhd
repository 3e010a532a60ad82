-- file parameters read as parameters of mode in
package p is
  procedure dump (file f, g : text; n : integer);
  function count (file f : text) return integer;
end p;
