signal s : integer := a nand b nand c;
