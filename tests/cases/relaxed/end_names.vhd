-- a closing name after end if / case / record / units / component, and
-- the same ends without one
architecture a of e is
  type r is record
    x : integer;
  end record r;
  type q is record
    y : integer;
  end record;
  type len is range 0 to 1000
    units
      um;
      mm = 1000 um;
    end units len;
  component c
    port (a : in bit);
  end component c;
  component d
  end component;
begin
  process (a)
  begin
    if a = '1' then
      null;
    end if chk;
    case a is
      when '0' => null;
      when others => null;
    end case sel;
    if a = '0' then null; end if;
    case a is when others => null; end case;
  end process;
end a;
