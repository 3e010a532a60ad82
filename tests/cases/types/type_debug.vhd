package dbg is
  type color is (red, green);
  type t1;
  type mem is array (natural range <>) of bit;
  type small is range 0 to 7;
  type t2;
  type vec is array (integer range <>) of bit_vector(7 downto 0);
  type dist is range 0 to 9 units um; end units;
  type t3;
  type rec is record f : bit; end record;
  type t4;
  type acc is access rec;
  type t5;
  type fil is file of integer;
  type t6;
  type arr is array (0 to 1) of bit;
  type t7;
  constant k : integer := X"aF";
end dbg;
