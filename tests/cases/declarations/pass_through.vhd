package decls is
  signal s : bit_vector(7 downto 0);
  alias lsb : bit is s(0);
  alias hi : bit_vector(3 downto 0) is s(7 downto 4);
  file f1 : text is in "input.txt";
  file f2 : text is "out.txt";
  attribute pin : integer;
  attribute pin of s : signal is 3;
  attribute pin of a, b, c : label is 1;
  attribute pin of others : constant is 0;
  attribute pin of all : function is 2 + 1;
  attribute pin of "+" : function is 4;
  attribute pin of e : entity is 5;
  disconnect s : bit_vector after 5 ns;
  disconnect a, b : bit after 2 ns;
  disconnect others : bit after 1 ns;
  disconnect all : bit after 0 ns;
end decls;
