-- if / elsif / else chains; nested statements are not indented.
ifs : process
begin
  if a = '1' then x := 1; elsif b then x := 2; else x := 3; end if;
  if a then if b then x := 1; end if; end if;
  if a then null; end if;
  if c then
    x := 1;
  elsif d then
    x := 2;
  elsif e then
    x := 3;
    y := 4;
  end if;
  if ok then
  else
    x := 0;
  end if;
end process;
