-- the input ends inside end package [body]: left as read
package p is
end package