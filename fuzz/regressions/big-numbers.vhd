signal s : integer := x"ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff" ;
signal t : bit_vector (123456789012345678901234567890 downto -99999999999999999999) ;
process begin for i in 99999999999999999999 downto 0 loop null ; end loop ; end process ;
