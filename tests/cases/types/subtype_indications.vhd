package ind is
  subtype a1 is matrix(f(x), y);
  subtype a2 is matrix(x, f(y));
  subtype a3 is matrix(x, y, f(z));
  subtype a4 is matrix(f(x, y));
  subtype a5 is matrix(f(7 downto 0), 3 downto 0);
  subtype r1 is resolve bit;
  subtype r2 is resolve std_logic_vector(3 downto 0);
  subtype r3 is resolve integer range 0 to 7;
  subtype r4 is integer range 0 to 7;
  subtype r5 is real range 0.0 to 1.0;
  subtype r6 is natural range a'range;
  subtype w1 is work.p.word;
  subtype w2 is Work.P.Word(3 downto 0);
end ind;
