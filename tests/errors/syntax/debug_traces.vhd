type t;
signal s : integer := x"ab" + ;
signal t : bit;
