package p is
  type pair is record
    a, b : integer;
  end record pair;
end;
