-- a package with generics (a constant, a type, subprograms, a package), a
-- protected type with a procedure and a function and its body, package
-- instantiations beside a package body, as a design unit and as
-- declarative items; protected alone stays a name
package p is
  generic (
    ADDRESS_BITS : natural;
    type element_t;
    function match (a, b : element_t) return boolean is <>;
    function show (a : element_t) return string is to_string;
    procedure log (msg : string);
    package q is new work.g generic map (<>)
  );
  type counter_t is protected
    procedure increment (by : integer);
    impure function value return integer;
  end protected counter_t;
  package sized is new work.sized_g generic map (DATA_BITS => 8);
  package plain is new work.plain_g;
  function f (x : integer) return integer;
end package;

package body p is
  type counter_t is protected body
    variable count : integer := 0;
    procedure increment (by : integer) is
    begin
      count := count + by;
    end procedure;
    impure function value return integer is
    begin
      return count;
    end function value;
  end protected body;
  package inner is new work.g generic map (4);
  function f (x : integer) return integer is
  begin
    return x;
  end function;
end package body;

package p2 is new work.p generic map (ADDRESS_BITS => 4);

architecture a of e is
  signal protected : bit;
  package loc is new work.g;
  shared variable c : counter_t;
begin
  protected <= '1';
end a;
