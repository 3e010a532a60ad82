package p is
  pure function f (a : integer) return integer;
end;
