library ieee;
use ieee.std_logic_1164.all;

-- ALU support package: constants, types and helper subprograms.
package alu_pkg is
  constant WIDTH : integer := 8;
  constant ZERO : std_logic_vector(7 downto 0) := "00000000";
  type alu_op is (op_add, op_sub, op_and, op_or);
  subtype word is std_logic_vector(WIDTH - 1 downto 0);
  type reg_file is array (0 to 3) of word;
  function parity (v : std_logic_vector) return std_logic;
  function max (a, b : integer) return integer;
  procedure clear (signal r : out word);
end alu_pkg;

package body alu_pkg is
  function parity (v : std_logic_vector) return std_logic is
    variable p : std_logic := '0';
  begin
    for i in v'range loop
      p := p xor v(i);
    end loop;
    return p;
  end parity;

  function max (a, b : integer) return integer is
  begin
    if a > b then
      return a;
    else
      return b;
    end if;
  end max;

  procedure clear (signal r : out word) is
  begin
    r <= ZERO;
  end clear;
end alu_pkg;
