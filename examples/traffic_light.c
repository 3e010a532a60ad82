     typedef enum {s_red, s_green, s_yellow} state_type;
state_type state,next_state  ;
int timer  ;
int green_time = 10;

 regs (clk,reset, car, red,yellow,green) ()
char clk,reset;
char car;
char red,yellow,green;
{
 if (reset == '1')
{
 state =  s_red ;
 timer =  0 ;
}
else if (clk /* ' event */ & clk == '1')
{
 state =  next_state ;
 if (state != next_state)
{
 timer =  0 ;
}
else
{
 timer =  timer + 1 ;
}
}
}
 logic (clk,reset, car, red,yellow,green) ()
char clk,reset;
char car;
char red,yellow,green;
{
 next_state =  state ;
 switch (state)
{
case s_red  :  if (car == '1' & timer >= 3)
{
 next_state =  s_green ;
}

break;
case s_green  :  if (timer == green_time)
{
 next_state =  s_yellow ;
}

break;
case s_yellow  :  if (timer == 2)
{
 next_state =  s_red ;
}

break;
}
}
 red <=    '1'  when state == s_red else;
 '0' ;
 yellow <=    '1'  when state == s_yellow else;
 '0' ;
 with state select green <=    '1'  when s_green  '0'  when others ;

