-- a file declaration without open information, an alias without a
-- subtype
architecture a of e is
  file log : text;
  file raw : bit_file;
  alias op is instr(31 downto 26);
  alias top is word.hi;
  alias z is zero;
begin
end a;
