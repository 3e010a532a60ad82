-- a label on an if or a case: nested, closed with and without the label,
-- beside an unlabelled one and a labelled loop
architecture a of e is
begin
  process (a, b)
  begin
    chk : if a = '1' then
      inner : if b = '1' then
        x := 1;
      end if inner;
    elsif b = '0' then
      null;
    else
      sel : case a is
        when '0' => y := 2;
        when others => null;
      end case sel;
    end if chk;
    c2 : case b is when others => null; end case;
    l3 : if a = '0' then null; end if;
    l4 : for i in 0 to 3 loop
      l5 : if i = 2 then exit l4; end if l5;
    end loop l4;
    if a = b then null; end if;
  end process;
end a;
