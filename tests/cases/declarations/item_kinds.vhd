-- Declarative items that only some regions admit: attributes, signals and
-- disconnections in an entity (whose text is dropped), attribute values
-- given and disconnections in an architecture, and nested bodies
-- and attributes in a subprogram.
entity e is
  port (a : in bit; y : out bit);
  attribute pin : integer;
  attribute pin of a : signal is 3;
  disconnect a : bit after 2 ns;
  signal inner : bit := '0';
end e;
architecture r of e is
  attribute pin of y : signal is 4;
  disconnect all : bit after 1 ns;
  function outer (v : integer) return integer is
    attribute depth : integer;
    attribute depth of v : constant is 1;
    function inner (w : integer) return integer is
    begin
      return w + 1;
    end inner;
  begin
    return inner(v);
  end outer;
begin
end r;
