-- A component configuration may leave out its binding and may hold a
-- block configuration of its own; a component may have generics only.
architecture s of top is
  component reg
    generic (width : integer := 8);
  end component;
  component leaf generic (n : integer); end component;
begin
end s;
configuration nest of top is
  for s
    for u1 : reg
    end for;
    for u2, u3 : reg
      for rtl
        for all : leaf
          use entity work.leaf(beh);
        end for;
      end for;
    end for;
    for others : reg
      use entity work.reg;
      for beh
      end for;
    end for;
  end for;
end nest;
