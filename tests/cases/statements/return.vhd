-- Return statements put their value in parentheses; a call with one
-- argument is written like an index.
function max (a, b : integer) return integer is
begin
  if a > b then
    return a;
  end if;
  return b;
end max;
function inc (x : integer) return integer is begin return x + 1; end inc;
procedure stop is
begin
  log(1);
  return;
end stop;
