-- an apostrophe after an identifier or a ) is the apostrophe, with blanks,
-- line ends or comments between; after anything else a character literal
-- may start there
architecture a of e is
begin
  process (c)
  begin
    s <= std_logic'('0');
    s <= std_logic  -- the type mark
         '('1');
    if c = '(' then
      s <= ')';
    end if;
    u <= (')', '(');
    n <= c'length;
  end process;
end a;
