-- Where an annotation goes when the construct's text is written elsewhere,
-- more than once, or not at all: an entity's ports go into every process
-- (their notes where the entity stood, once); a component's, a function's
-- and a block's interface lists are written once (the notes after the
-- names); a default value's note leaves the declaration line with it; a
-- dropped second suffix and a dropped sensitivity list leave theirs to
-- what holds them.
entity holders is
  generic (mask : bit_vector(35 downto 0) := x"0000000ff");
  port (d : in bit_vector(7 downto 0); q : out bit);
end holders;
architecture rtl of holders is
  component lut
    generic (init : bit_vector := x"123456789");
    port (o : out bit_vector(1 downto 0));
  end component;
  function parity (v : bit_vector(3 downto 0)) return bit is
  begin
    return v(0);
  end parity;
  signal m : word;
begin
  p1 : process (d(3 downto 0))
  begin
    q <= m(1)(2 downto 1);
    wait;
  end process;
  p2 : process
  begin
    wait for 5 ns;
  end process;
end rtl;
