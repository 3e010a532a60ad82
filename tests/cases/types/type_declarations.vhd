package types is
  type state is (idle, run, stop);
  type mem is array (natural range <>) of integer;
  type word is array (7 downto 0) of bit;
  type matrix is array (0 to 3) of bit_vector(7 downto 0);
  type byte_range is range 0 to 255;
  type ratio is range 0.0 to 1.0;
  type pair is record a, b : integer; end record;
  type ptr is access integer;
  type t;
end types;
package more_types is
  type logic4 is ('0', '1', 'X', 'Z');
  type dist is range 0 to 1000
    units
      mm;
      cm = 10 mm;
      m = 1000 mm;
    end units;
  type int_file is file of integer;
  type grid is array (0 to 3, 0 to 7) of integer;
  type planes is array (natural range <>, natural range <>) of bit_vector(3 downto 0);
  subtype byte is integer range 0 to 255;
  type table is array (byte) of boolean;
  type scaled is range 0 to work.consts.n;
  type node;
  type link is access node;
  type node is record
    value : integer;
    next_node : link;
  end record;
  type arr2 is array (0 to 1) of integer range 0 to 3;
end more_types;
