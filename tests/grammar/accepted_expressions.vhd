-- Expression shapes the grammar accepts, one signal each.
signal s1 : integer := a and b and c;
signal s2 : integer := a or b or c;
signal s3 : integer := a xor b xor c;
signal s4 : integer := a nand b;
signal s5 : integer := a nor b;
signal s6 : integer := a * - b;
signal s7 : integer := a + - b;
signal s8 : integer := - abs a;
signal s9 : integer := (a) ** 2;
signal s10 : integer := 2 ** (a);
signal s11 : integer := f(a, b);
signal s12 : integer := a(1 to 3);
signal s13 : integer := a(3 downto 1);
signal s14 : integer := a = b + c;
signal s15 : integer := a < b and c > d;
signal s16 : integer := - a * b;
