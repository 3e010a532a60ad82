     
 tick (clk,reset,enable, count) ()
char clk,reset,enable;
int count;
{
 int value = 0;
 if (clk /* ' event */ & clk == '1')
{
 if (reset == '1')
{
 value = 0;
}
else if (enable == '1')
{
 if (value == 15)
{
 value = 0;
}
else
{
 value = value + 1;
}
}
}
 count =  value ;
}

