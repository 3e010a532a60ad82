     int value  = 0;

 tick (clk,reset, load,enable, din, count, tc) ()
int max = 255;
char clk,reset;
char load,enable;
int din;
int count;
char tc;
{
 if (clk /* ' event */ & clk == '1')
{
 if (reset == '1')
{
 value =  0 ;
}
else if (load == '1')
{
 value =  din ;
}
else if (enable == '1')
{
 if (value == max)
{
 value =  0 ;
}
else
{
 value =  value + 1 ;
}
}
}
}
 count <=    value ;
 tc <=    '1'  when value == max & enable == '1' else;
 '0' ;

