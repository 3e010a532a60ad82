procedure p0 (n : integer range 0 to 7) is
begin
  null;
end p0;
entity modes is
  generic (constant w : Integer := 4; d : time := 2 ns);
  port (signal a : in bit; b : out BIT; c : inout std_ulogic; e : buffer integer;
        f : linkage real; g : in bit bus := '0'; h : in bit_vector(w - 1 downto 0);
        k : in resolved bit; m : in work.types.word; n : in natural range 0 to 7);
end modes;
architecture a of modes is begin process begin null; end process; end a;
package pk is
  procedure p2 (x : INTEGER := 2 * 3 + 1; constant y : in real := 1.5; variable z : out boolean);
end pk;
