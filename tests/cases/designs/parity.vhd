-- Parity checker: a package function folds a vector with xor.
package util is
  function parity (v : bit_vector) return bit;
end util;

package body util is
  function parity (v : bit_vector) return bit is
    variable p : bit := '0';
  begin
    for i in v'range loop
      p := p xor v(i);
    end loop;
    return p;
  end parity;
end util;

use work.util.all;
entity checker is
  port (data : in bit_vector(7 downto 0); ok : out bit);
end checker;

architecture rtl of checker is
begin
  ok <= not parity(data);
end rtl;
