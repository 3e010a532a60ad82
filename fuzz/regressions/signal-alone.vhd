signal s : bit;
